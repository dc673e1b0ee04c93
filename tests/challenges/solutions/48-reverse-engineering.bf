Reverse engineering
The hidden rule  read n and output the sum of its decimal digits

Layout of the tape
 cell 0 holds the number still to be split into digits
 cell 2 counts down from 9 to 0 and starts again at 9 with every ten units
 cells 3 and 4 are helper cells for the zero test of cell 2
 cell 5 collects the number divided by ten and cell 6 the digit sum

read n
,
division 1 by ten  the countdown starts at 9
>>+++++++++<<[->>>+<[->-]>[-<+++++++++>>>+<]<<<<]
the last digit is 9 minus the countdown  add it to the sum
>>>>>>+++++++++<<<<[->>>>-<<<<]
the quotient becomes the new number
>>>[-<<<<<+>>>>>]
division 2 by ten  the countdown starts at 9
<<<+++++++++<<[->>>+<[->-]>[-<+++++++++>>>+<]<<<<]
the last digit is 9 minus the countdown  add it to the sum
>>>>>>+++++++++<<<<[->>>>-<<<<]
the quotient becomes the new number
>>>[-<<<<<+>>>>>]
division 3 by ten  the countdown starts at 9
<<<+++++++++<<[->>>+<[->-]>[-<+++++++++>>>+<]<<<<]
the last digit is 9 minus the countdown  add it to the sum
>>>>>>+++++++++<<<<[->>>>-<<<<]
the quotient becomes the new number
>>>[-<<<<<+>>>>>]
division 4 by ten  the countdown starts at 9
<<<+++++++++<<[->>>+<[->-]>[-<+++++++++>>>+<]<<<<]
the last digit is 9 minus the countdown  add it to the sum
>>>>>>+++++++++<<<<[->>>>-<<<<]
the quotient becomes the new number
>>>[-<<<<<+>>>>>]
what is left is the highest digit  add it and output the sum
<<<<<[->>>>>>+<<<<<<]>>>>>>.
