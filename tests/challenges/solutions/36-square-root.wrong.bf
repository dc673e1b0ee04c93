Wrong on purpose it rounds up for every n that is not a square
Square root
It outputs 1 plus the square root of n minus 1 for n at least 1 which is the rounded up root

cells as in the right solution
,>+>>>+<<<<
if n is not zero take one from it and start r at 1
[->>>>>>+<<<<<<
 [
  ->-
  >+<[>-]>[
   >>++[-<<<+>>>>+<]
   >[-<+>]
   >+
   <<<<
  ->]<<
  <
 ]
]
>>>>>>.
