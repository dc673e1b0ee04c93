Memory
Reads a list ending with a zero and then queries ending with a zero
For every query q it outputs the q th value of the list counting from 1

Layout of the tape
 cells 0 to 5 are work cells for dividing the index by 32
 cell 6 is a guard that always holds zero
 value number j of the list sits in cell 9 plus 3 times j
 and is followed by two work cells called a and b
 every list value is at least 1 so a walk to the left over the values stops at the guard

To reach value number j quickly the index is split into j div 32 and j mod 32
The remainder is walked group by group carrying the quotient along
then the quotient jumps 32 groups at a time
so no query costs more than a few tens of thousands of steps

go to cell 9 and read the list three cells apart until the closing zero
>>>>>>>>>
,[>>>,]
walk back to the guard in cell 6 and on to cell 0
<<<[<<<]
<<<<<<
read the first query into cell 0 and loop while it is not zero
,[
 the index counted from zero is q minus 1
 -
 cell 1 gets the divisor 32 and cell 2 gets its start value 1
 >++++++++++++++++++++++++++++++++>+<<
 divide cell 0 by cell 1
 afterwards cell 1 holds 32 minus the remainder and cell 2 the remainder plus 1
 and cell 3 the quotient
 [->-[>+>>]>[[-<+>]+>+>>]<<<<<]
 clear cell 1 and turn cell 2 into the remainder
 >[-]
 >-
 move the remainder into cell b of group 0 which is cell 11
 [->>>>>>>>>+<<<<<<<<<]
 move the quotient into cell a of group 0 which is cell 10
 >[->>>>>>>+<<<<<<<]
 go to cell 11
 >>>>>>>>
 walk one group per unit of the remainder carrying the quotient along
 [-[->>>+<<<]<[->>>+<<<]>>>>]
 now stand on cell a of the current group holding the quotient
 <
 jump 32 groups which are 96 cells per unit of the quotient
 [-[-
 >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>
 +
 <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<
 ]
 >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>
 ]
 the value just left of here is the one asked for so output it
 <.
 walk back to the guard and on to cell 0 then read the next query
 [<<<]
 <<<<<<
 ,
]
