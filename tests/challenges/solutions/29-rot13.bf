ROT13
Reads letters until a line break and outputs each letter moved 13 places along the alphabet
The letters arrive as 1 to 26 and the line break as 0 which is not output

Layout
 cell 0 is a flag that the letter is at most 13
 cell 1 counts 13 steps
 cell 2 is the letter
 cell 3 is a flag for testing the letter against zero
 cell 4 stays zero
13 is taken away from the letter one step at a time
if it reaches zero on the way the letter was at most 13
then 26 is added back so the letter gains 13 in total
otherwise it has lost 13 which is right for letters from 14 to 26

read the first letter into cell 2
>>,
[
 the step counter gets 13
 <+++++++++++++
 [
  take one from the counter and one from the letter
  ->-
  if the letter is now zero set the flag in cell 0
  >+<[>-]>[<<<+>>>->]<<
  back to the counter
  <
 ]
 if the flag is set clear it and add 26 to the letter
 <[->>++++++++++++++++++++++++++<<]
 output the letter then clear it and read the next one
 >>.
 [-]
 ,
]
