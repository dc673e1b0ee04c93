Binary II
Reads n from 0 to 255 and outputs its eight bits with the most significant bit first

Layout of the tape
 cell 0 holds n and later each half of it
 cells 1 and 2 are helper cells for a zero test
 cell 3 collects the half
 cells 4 to 11 receive the bits with the lowest bit in cell 4

read n
,
bit 0  halve cell 0 into cell 3 and keep the remainder in cell 4
[->+<[->>>+<<-]>[->>>+<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 1  halve cell 0 into cell 3 and keep the remainder in cell 5
<<<[->+<[->>>+<<-]>[->>>>+<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 2  halve cell 0 into cell 3 and keep the remainder in cell 6
<<<[->+<[->>>+<<-]>[->>>>>+<<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 3  halve cell 0 into cell 3 and keep the remainder in cell 7
<<<[->+<[->>>+<<-]>[->>>>>>+<<<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 4  halve cell 0 into cell 3 and keep the remainder in cell 8
<<<[->+<[->>>+<<-]>[->>>>>>>+<<<<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 5  halve cell 0 into cell 3 and keep the remainder in cell 9
<<<[->+<[->>>+<<-]>[->>>>>>>>+<<<<<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 6  halve cell 0 into cell 3 and keep the remainder in cell 10
<<<[->+<[->>>+<<-]>[->>>>>>>>>+<<<<<<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
bit 7  halve cell 0 into cell 3 and keep the remainder in cell 11
<<<[->+<[->>>+<<-]>[->>>>>>>>>>+<<<<<<<<<]<<]
the half goes back to cell 0
>>>[-<<<+>>>]
output the bits from the highest to the lowest
>>>>>>>>.<.<.<.<.<.<.<.
