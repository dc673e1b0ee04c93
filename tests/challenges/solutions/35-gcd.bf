GCD
Reads a and b and outputs their greatest common divisor
Euclid by remainders so a and b become b and a mod b until b is zero

Layout
 cell 0 is a
 cell 1 is b
 cell 2 is the remainder plus 1 during a division
 cell 3 is the quotient during a division
 cells 4 and 5 are helpers and cell 4 also holds a copy of the remainder
Dividing a by b leaves b less the remainder in cell 1
so adding the remainder back gives b again

read a and b and stand on b
,>,
[
 give cell 2 its base of 1 and go to a
 >+<<
 divide a by b
 [->-[>+>>]>[[-<+>]+>+>>]<<<<<]
 the quotient is not needed so clear it
 >>>[-]
 take the base from cell 2 to get the remainder
 <-
 move the remainder into cell 0 and into cell 4
 [-<<+>>>>+<<]
 add what is left of b in cell 1 to cell 0 which now holds b
 <[-<+>]
 move the remainder from cell 4 into cell 1 as the new b
 >>>[-<<<+>>>]<<<
]
b is zero so a is the answer
<.
