Calculator
A total starts at 0 and pairs of an operation and a value are read until the operation is 0
Operation 1 adds the value and 2 takes it away and 3 multiplies by it and 4 divides by it rounding down
After every pair the total is output

Layout
 cell 0 is a marker that always holds 1
 cell 1 stays zero
 cell 2 is the total
 cell 3 stays zero
 cell 4 is the value
 cells 5 to 8 are helpers for multiplying and dividing
 cell 10 is the operation with cells 11 and 12 as its test flag and a zero
 cells 13 to 16 are one flag per operation

set the marker and read the first operation into cell 10
+>>>>>>>>>>,
[
 read the value into cell 4 and come back to the operation
 <<<<<<,>>>>>>
 take one from the operation four times and set the flag of the step where it reaches zero
 ->+<[>-]>[>>+<<->]<<
 ->+<[>-]>[>>>+<<<->]<<
 ->+<[>-]>[>>>>+<<<<->]<<
 ->+<[>-]>[>>>>>+<<<<<->]<<
 give back the four and clear the operation
 ++++[-]
 multiplying or dividing by 1 changes nothing so in that case both of their flags are dropped
 this keeps long runs of such steps cheap
 go to the value and test whether it is 1
 <<<<<<
 ->+<[>-]>[>>>>>>>>>>[-]>[-]<<<<<<<<<<<->]<<+
 go to the flag of operation 1 in cell 13
 >>>>>>>>>
 [-
  <<<<<<<<<<<
  add the value to the total
  >>[-<<+>>]<<
  >>>>>>>>>>>
 ]
 go to the flag of operation 2 in cell 14
 >
 [-
  <<<<<<<<<<<<
  take the value away from the total
  >>[-<<->>]<<
  >>>>>>>>>>>>
 ]
 go to the flag of operation 3 in cell 15
 >
 [-
  <<<<<<<<<<<<<
  the product is built in cell 5
  two units of the total are used per round
  for the first the value moves from cell 4 to cell 6 and is added to the product on the way
  for the second it moves back from cell 6 to cell 4 in the same way
  if the total is odd the last round finds only one unit and the loop ends one cell further left
  [->>[->>+<+<]<<[->>>>[-<+<+>>]<<<]<]
  step left so an odd total stands on the marker and an even one on the empty cell 1
  and step right again from the marker so both stand on cell 1
  <[>]
  clear the value from cells 4 and 6 and move the product into the total
  >>>[-]>>[-]<[-<<<+>>>]<<<
  >>>>>>>>>>>>>
 ]
 go to the flag of operation 4 in cell 16
 >
 [-
  <<<<<<<<<<<<<<
  divide the total by the value
  cell 5 gets a base of 1 and afterwards holds the remainder plus 1
  cell 4 holds the value less the remainder and cell 6 the quotient
  >>>+<<<
  [->>-[>+>>]>[[-<+>]+>+>>]<<<<<<]
  clear cells 4 and 5 and move the quotient into the total
  >>[-]>[-]>[-<<<<+>>>>]<<<<
  >>>>>>>>>>>>>>
 ]
 clear the value in case it was a skipped 1
 <<<<<<<<<<<<[-]
 go to the total and output it
 <<.
 read the next operation
 >>>>>>>>,
]
