Large number adder
Reads the eight digits of A and then the eight digits of B
both with the most significant digit first
and outputs the nine digits of their sum including leading zeros

Layout of the tape
 nine places of five cells each  place i starts at cell 5 times i plus 1
 place 0 is the ninth digit of the sum  places 1 to 8 are the digits of A and B
 a place holds the digit sum  then ten for the division  then three cells for the division
 cell 5 times i is a marker while reading and a round counter later

read the digits of A into places 1 to 8  leaving a marker before each
>>>>>++++++++
[
  >,<
  [->>>>>+<<<<<]+
  >>>>>-
]
walk back over the markers and add each digit of B to its place
<<<<<[<<<<<]>>>>>
[
  ->>,[-<+>]
  >>>
]
from the lowest place up  divide the place by ten
the remainder is the digit of the sum and the quotient is the carry into the place before
+++++++++
[
  move the round counter one place left
  [-<<<<<+>>>>>]
  <<<++++++++++<
  [->-[>+>>]>[+[-<+>]>+>>]<<<<<]
  >[-]
  >>[-<<<<<<<<+>>>>>>>>]
  <<<<-
]
the digits are the remainders  three cells into each place  the highest first
+++++++++
[
  >>>.<<<
  [->>>>>+<<<<<]
  >>>>>-
]
