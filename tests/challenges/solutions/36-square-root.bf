Square root
Reads n and outputs the largest r with r times r at most n

The squares are sums of the odd numbers 1 then 3 then 5 and so on
n is counted down one unit at a time while a block counter counts down
the current odd number
each time a block is used up completely r grows by one and the next odd number begins

Layout
 cell 0 is n
 cell 1 is what is left of the current block
 cell 2 is a flag for testing cell 1 against zero
 cell 3 stays zero
 cell 4 is the size of the current block
 cell 5 is a helper for copying
 cell 6 is r

read n and start with a block of size 1
,>+>>>+<<<<
[
 take one from n and one from the block
 ->-
 if the block is used up
 >+<[>-]>[
  grow the block size by 2 and copy it into cell 1 using the helper
  >>++[-<<<+>>>>+<]
  >[-<+>]
  and add one to r
  >+
  <<<<
 ->]<<
 back to n
 <
]
output r
>>>>>>.
