Divide and conquer
Reads a and b and outputs a divided by b rounded down and then the remainder

Layout
 cell 0 is a which is counted down
 cell 1 is b which counts down once per unit of a and is refilled when it reaches zero
 cell 2 is the remainder plus 1 and starts at 1
 cell 3 is the quotient
 cells 4 and 5 are helpers that stay zero
Each unit of a moves one unit from cell 1 to cell 2
when cell 1 runs out cell 2 is poured back into it except for its base 1
and the quotient grows by one

read a and b and give cell 2 its base of 1
,>,>+<<
[->-[>+>>]>[[-<+>]+>+>>]<<<<<]
output the quotient
>>>.
output the remainder which is cell 2 less its base
<-.
