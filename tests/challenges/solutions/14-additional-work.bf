Additional work
Read a into cell zero and copy it into cells one and two
,
[
  ->+>+<<
]
Read b into cell three and add it to cell two and copy it into cell four
>>>,
[
  -<+>>+<
]
Cell two now holds the sum and cell one holds a and cell four holds b
<.
<.
>>>.
