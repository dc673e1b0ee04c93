Binary II
Reads n from 0 to 255 and outputs its eight bits with the most significant bit first

Eight rounds each halve the number and keep the remainder as one bit
A round works on four cells  the round counter c  the number n  the bit r and a helper t
The half of n is built in the cell after t  which is the number of the next round
and the counter moves from its cell to t  so every round starts three cells further right
The bits stay behind in the r cells  the lowest bit first

cell zero is the first counter and cell one the number
++++++++>,<
[
  >
  halve n  every unit flips r  and the flip from one back to zero adds one to the half
  [
    -
    >>+<
    [->->+<<]
    >[-<+>]
    <<
  ]
  move the counter three cells right and count the round
  <[->>>+<<<]>>>-
]
The highest bit is the last one kept  two cells to the left  the others follow three cells apart
<.<<<.<<<.<<<.<<<.<<<.<<<.<<<.
