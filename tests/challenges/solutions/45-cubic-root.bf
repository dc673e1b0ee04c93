Cubic root
Read n and output the largest r with r times r times r at most n
The tape has only six cells

Idea
  Take n apart one unit at a time
  The gaps between cubes are 1 7 19 37 and so on
  the gap after r cubed is 3 r r plus 3 r plus 1
  and each gap is the previous gap plus 6 times the new r
  A countdown d holds the units left in the current gap
  When a unit arrives while d is already empty a new cube is reached
  so r grows by one and d is refilled with the previous gap plus 6 r

Cells
  cell zero   n  the units still to take
  cell one    r  the answer
  cell two    t  units taken in this gap  which is never empty at the test
  cell three  always empty
  cell four   d  the countdown
  cell five   always empty

,[
  take one unit from n
  -
  count it in t
  >>+
  go to d
  >>
  zero test on d without harm
    if d is not empty the small loop steps right onto cell five and stops
    two steps left then lands on the empty cell three and the block is skipped
    if d is empty two steps left land on t which is never empty
    so the block runs and it ends on the empty cell three as well
  [>]<<
  [
    refill block starting on t
    move t into d so d holds the previous gap
    [->>+<<]
    one more on r
    <+
    add 6 r to d and copy r into t
    [->+>>++++++<<<]
    move the copy back into r
    >[-<+>]
    end on the empty cell three
    >
  ]
  this unit uses one from the countdown
  >-
  back to n
  <<<<
]
Output r
>.

58 commands
Worst case about 881 thousand steps for n equal to 33713
