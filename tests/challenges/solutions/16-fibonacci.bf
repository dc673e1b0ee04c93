Fibonacci
Layout is cell zero the count n and cell one the current number a
and cell two the next number b and cell three a scratch cell
Read n and set b to one while a starts at zero
,
>>+<<
Each round writes a and then moves on to the next pair
[
  >.
  Move a into the scratch cell
  [
    ->>+<<
  ]
  Move b into cell one as the new a and also add it to the scratch cell
  >
  [
    -<+>>+<
  ]
  Move the scratch cell which now holds the old a plus b into cell two as the new b
  >
  [
    -<+>
  ]
  Back to the count and lower it by one
  <<<-
]
