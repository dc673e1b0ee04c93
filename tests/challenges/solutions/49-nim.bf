Nim
Plays legal moves until all piles are empty
Its simple rule is to take the whole of the first pile that is not empty

Layout of the tape
 cells 0 1 2 hold the three piles
 cell 4 holds the sum of the piles to see whether any object is left
 cell 5 is a helper for copying
 cells 6 and 7 are flags for choosing the pile
 cell 8 receives the pile chosen by the computer and cell 9 is its switch flag
 cell 10 receives the count taken by the computer

read the three piles
,>,>,
cell 4 becomes the sum of the piles
<<[->>>>+>+<<<<<]>>>>>[-<<<<<+>>>>>]<<<<[->>>+>+<<<<]>>>>[-<<<<+>>>>]<<<
[->>+>+<<<]>>>[-<<<+>>>]<[[-]
our move  take the whole first pile that is not empty
>>+<<<<<<[>>>>>>>>+.[-]<<<<<<<<.[-]>>>>>>-<<<<<<]>>>>>>[->+<<<<<<[>>>>>>>
++.[-]<<<<<<<.[-]>>>>>>-<<<<<<]>>>>>>[->+++.[-]<<<<<<.[-]>>>>>]<]
cell 4 becomes the sum of the piles
<<<<<<[->>>>+>+<<<<<]>>>>>[-<<<<<+>>>>>]<<<<[->>>+>+<<<<]>>>>[-<<<<+>>>>
]<<<[->>+>+<<<]>>>[-<<<+>>>]
only if some object is left
<[[-]
read the move of the computer and take its count from its pile
>>>>,>>,<+<-[-[-[[-]>-<]>[->[-<<<<<<<<->>>>>>>>]<]<]>[->[-<<<<<<<<<->>>>>>>>>
]<]<]>[->[-<<<<<<<<<<->>>>>>>>>>]<]<<<<<]
cell 4 becomes the sum of the piles
<<<<[->>>>+>+<<<<<]>>>>>[-<<<<<+>>>>>]<<<<[->>>+>+<<<<]>>>>[-<<<<+>>>>]
<<<[->>+>+<<<]>>>[-<<<+>>>]
play on while some object is left
<]
