Squares
Read n and output 1 4 9 and so on up to n times n
Each square is the previous one plus the next odd number 1 3 5 7

Cells
  cell zero   the counter n
  cell one    the odd number d which holds 2k minus 2 at the top of pass k
  cell two    the running square s
  cell three  a scratch cell
The counter is read straight into cell zero and the loop runs n times

,[
  take one from the counter
  -
  step d up by one so it is the odd number 2k minus 1
  >+
  move d into the square and into the scratch cell
  [>+>+<<-]
  the square is now k times k so write it
  >.
  move the scratch cell back into d
  >[<<+>>-]
  one more on d makes it even again and return to the counter
  <<+<
]

30 commands
