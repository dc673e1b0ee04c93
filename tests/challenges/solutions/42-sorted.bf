Sorted
Reads a list ending with a zero and outputs its values in ascending order
duplicates included

The idea
All values are counted down together one step per round
and a value is output with the round number in which it reaches zero
so the smallest values come out first
A round walks along the list and stops at every value that reaches zero
To avoid walking back the rounds go alternately to the right and to the left
A value that reached zero is set to the top value 33713 at once
it then never reaches zero again before the last round because no round number exceeds 33713
and so it can also never stop a walk

Layout of the tape
 cell 0 is a left end that holds zero and cell 1 a left stop that holds 1 between rounds
 the values sit in cells 2 onwards one per cell
 right after them come
  a right stop that holds 1 between rounds
  a right end that holds zero
  the round counter for the rounds that go to the left  which is one less during rounds to the right
  a cell that holds zero
  the number of values not yet output

set the left stop and read the values
the number of values read so far is carried along one cell right of the reading place
>+>
,[>[->+<]>+<,]
the closing zero becomes the right stop and the count goes four cells further
+>[->>>+<<<]>>>
nothing to do for an empty list
[
 walk to the first value
 <<<<[<]>>
 round 1 goes to the right
 count down each value until one reaches zero and look at the cell after it
 -[>-]>
 while it was a value and not the right stop
 [
  walk to the round counter and output it plus one and count one value less
  [>]>+.->>-
  walk back to the value that reached zero and set it to the top value
  <<<<[<]-
  go on with the round
  >-[>-]>
 ]
 set the right stop again and add two to the round counter
 <+>>++>>
 while values are left
 [
  a round to the left from the last value
  <<<<<
  -[<-]<
  [
   walk to the round counter and output it and count one value less
   >>[>]>.>>-
   walk back to the value that reached zero and set it to the top value
   <<<<[<]-
   go on with the round
   <-[<-]<
  ]
  set the left stop again and go to the first value
  >+>
  a round to the right just as the first one
  -[>-]>
  [
   [>]>+.->>-
   <<<<[<]-
   >-[>-]>
  ]
  <+>>++>>
 ]
 <
]
