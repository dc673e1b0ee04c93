WRONG on purpose reads too far as after the terminating zero it tries to read one more value which does not exist
Cell zero keeps the total and cell one receives each value read
>,
[
  [
    -<+>
  ]
  ,
]
This extra read goes past the end of the input
,
<.
