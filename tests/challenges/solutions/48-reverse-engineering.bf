Reverse engineering
The hidden rule  read n and output the sum of its decimal digits

Layout of the tape
 cell 0 collects the digit sum
 cell 1 holds the number still to be split into digits
 cells 2 to 5 divide it by ten

read n
>,
while the number is not zero divide it by ten
the division leaves ten minus the last digit in cell 2  the last digit in cell 3  and the quotient in cell 4
[
  >++++++++++<
  [->-[>+>>]>[+[-<+>]>+>>]<<<<<]
  clear what is left of the ten
  >[-]
  add the last digit to the sum
  >[-<<<+>>>]
  the quotient becomes the new number
  >[-<<<+>>>]
  <<<
]
<.
