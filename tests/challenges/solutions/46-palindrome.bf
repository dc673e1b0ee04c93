To brain air bot
Reads a word and outputs y if it reads the same backwards and n otherwise

Layout of the tape
 letter number i sits in cell 2 times i plus 1 and its mark in cell 2 times i
 cells 0 and 1 are home
 a letter still in play has mark 0
 a letter taken out has mark 1  or 2 when it differed from its partner
 on the way from the right end to the left end a letter rides in the mark cells

read the word
>>>,[>>,]
stand on the letter before the last one
<<<<
while at least two letters are in play
[
  the last letter is taken out and rides to the mark cell before it
  >>[-<<<+>>>]<+
  <<<
  [>[-<<+>>]<<<]
  now it sits in the mark cell of the first letter in play
  take it from that letter  which leaves zero exactly when the two are equal
  >[->-<]
  >[[-]<+>]
  <+
  walk right to the letter before the last one in play
  >>>[>>]<<<<
]
a letter left in the middle is taken out as well
>>[[-]<+>]<
walk home and count the marks of 2 on the way
[-[-<+>]>[-<<+>>]<<<]
cell 0 gets y and turns into n if a mismatch was counted
+++++++++++++++++++++++++>[[-]<----------->]<.
