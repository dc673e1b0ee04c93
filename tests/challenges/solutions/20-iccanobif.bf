Iccanobif
Cell zero stays empty as a left marker
A window of three cells walks right one cell per round
holding a the current number then b the next number then the count n
Each round the cell of a is left behind holding a plus one
so every kept number is at least one and the marker can be found again
Set up a as zero in cell one and b as one in cell two and read n into cell three
>>+>,
[
  Lower the count and shift it one cell right
  -
  [
    ->+<
  ]
  Add a into the cell after b using the cell two further on as scratch
  <<
  [
    ->>+>>+<<<<
  ]
  >>>>
  [
    -<<<<+>>>>
  ]
  Add b into that same cell so it holds a plus b the new b
  <<<
  [
    ->+>>+<<<
  ]
  >>>
  [
    -<<<+>>>
  ]
  Keep the old a as a plus one and step onto the shifted count
  <<<<+
  >>>
]
Step back onto the last kept number and write the kept numbers leftwards
taking one off each before writing until the empty marker is reached
<<<
[
  -.<
]
