Large number adder
Reads the eight digits of A and then the eight digits of B
both with the most significant digit first
and outputs the nine digits of their sum including leading zeros

Layout of the tape
 cell 0 is the carry and cell 1 counts how far a digit sum fell short of ten
 cell 2 receives each digit of B
 the digit of place i counted from the lowest place sits in cell 4 plus 3 times i
 followed by two helper cells for zero tests

read the digits of A from the highest place down
>>>>>>>>>>>>>>>>>>>>>>>>>,<<<,<<<,<<<,<<<,<<<,<<<,<<<,
read the digits of B and add each to the digit of A of the same place
<<,[->>>>>>>>>>>>>>>>>>>>>>>+<<<<<<<<<<<<<<<<<<<<<<<],[->>>>>>>>>>>>>>>>>>>>
+<<<<<<<<<<<<<<<<<<<<],[->>>>>>>>>>>>>>>>>+<<<<<<<<<<<<<<<<<],[->>>>>>>>>>>>>>
+<<<<<<<<<<<<<<],[->>>>>>>>>>>+<<<<<<<<<<<],[->>>>>>>>+<<<<<<<<],[->>>>>
+<<<<<],[->>+<<]
place 0  add the carry then take ten away if the sum is at least ten
<<[->>>>+<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>+<[->-]>[-<<<<+>>>>>]<+<[->-]>[-<<<<+>>>>>]<+<[->-]>[-<<<<+>>>>>]<
+<[->-]>[-<<<<+>>>>>]<+<[->-]>[-<<<<+>>>>>]<+<[->-]>[-<<<<+>>>>>]<+<[->
-]>[-<<<<+>>>>>]<+<[->-]>[-<<<<+>>>>>]<+<[->-]>[-<<<<+>>>>>]<+<[->-]>[-
<<<<+>>>>>]
the carry is one unless some step found zero
<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>++++++++++<<<[->>>-<<<]]
place 1  add the carry then take ten away if the sum is at least ten
<[->>>>>>>+<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>+<[->-]>[-<<<<<<<+>>>>>>>>]<+<[->-]>[-<<<<<<<+>>>>>>>>]<+<[->-]
>[-<<<<<<<+>>>>>>>>]<+<[->-]>[-<<<<<<<+>>>>>>>>]<+<[->-]>[-<<<<<<<+>>>>>>>>
]<+<[->-]>[-<<<<<<<+>>>>>>>>]<+<[->-]>[-<<<<<<<+>>>>>>>>]<+<[->-]>[-<<<<<<<
+>>>>>>>>]<+<[->-]>[-<<<<<<<+>>>>>>>>]<+<[->-]>[-<<<<<<<+>>>>>>>>]
the carry is one unless some step found zero
<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>++++++++++<<<<<<[->>>>>>-<<<<<<]]
place 2  add the carry then take ten away if the sum is at least ten
<[->>>>>>>>>>+<<<<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>>>>+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+
<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[-
>-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[->-]
>[-<<<<<<<<<<+>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<+>>>>>>>>>>>]
the carry is one unless some step found zero
<<<<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>>>>++++++++++<<<<<<<<<[->>>>>>>>>-<<<<<<<<<]]
place 3  add the carry then take ten away if the sum is at least ten
<[->>>>>>>>>>>>>+<<<<<<<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>>>>>>>+<[->-]>[-<<<<<<<<<<<<<+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<
+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<
+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<
+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<
+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<+>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<
+>>>>>>>>>>>>>>]
the carry is one unless some step found zero
<<<<<<<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>>>>>>>++++++++++<<<<<<<<<<<<[->>>>>>>>>>>>-<<<<<<<<<<<<]]
place 4  add the carry then take ten away if the sum is at least ten
<[->>>>>>>>>>>>>>>>+<<<<<<<<<<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>>>>>>>>>>+<[->-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>]<+<[->-]>
[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>]<+<[->
-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>]
the carry is one unless some step found zero
<<<<<<<<<<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>>>>>>>>>>++++++++++<<<<<<<<<<<<<<<[->>>>>>>>>>>>>>>-<<<<<<<<<<<<<<<
]]
place 5  add the carry then take ten away if the sum is at least ten
<[->>>>>>>>>>>>>>>>>>>+<<<<<<<<<<<<<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>>>>>>>>>>>>>+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>]
<+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>
]
the carry is one unless some step found zero
<<<<<<<<<<<<<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>>>>>>>>>>>>>++++++++++<<<<<<<<<<<<<<<<<<[->>>>>>>>>>>>>>>>>>
-<<<<<<<<<<<<<<<<<<]]
place 6  add the carry then take ten away if the sum is at least ten
<[->>>>>>>>>>>>>>>>>>>>>>+<<<<<<<<<<<<<<<<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>>>>>>>>>>>>>>>>+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>
]
the carry is one unless some step found zero
<<<<<<<<<<<<<<<<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>>>>>>>>>>>>>>>>++++++++++<<<<<<<<<<<<<<<<<<<<<[->>>>>>>>>>>>>>>>>>>>>
-<<<<<<<<<<<<<<<<<<<<<]]
place 7  add the carry then take ten away if the sum is at least ten
<[->>>>>>>>>>>>>>>>>>>>>>>>>+<<<<<<<<<<<<<<<<<<<<<<<<<]
ten careful steps down  every step that finds zero counts in cell 1 instead
>>>>>>>>>>>>>>>>>>>>>>>>>>+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>]<+<[->
-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>]<+<[->
-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<
+>>>>>>>>>>>>>>>>>>>>>>>>>>]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>
]<+<[->-]>[-<<<<<<<<<<<<<<<<<<<<<<<<<+>>>>>>>>>>>>>>>>>>>>>>>>>>]
the carry is one unless some step found zero
<<<<<<<<<<<<<<<<<<<<<<<<<<<+
in that case the digit was below ten  cancel the carry and give the digit back
>[<->>>>>>>>>>>>>>>>>>>>>>>>>++++++++++<<<<<<<<<<<<<<<<<<<<<<<<[->>>>>>>>>>>>>>>>>>>>>>>>
-<<<<<<<<<<<<<<<<<<<<<<<<]]
output the final carry and then the digits from the highest place down
<.>>>>>>>>>>>>>>>>>>>>>>>>>.<<<.<<<.<<<.<<<.<<<.<<<.<<<.
