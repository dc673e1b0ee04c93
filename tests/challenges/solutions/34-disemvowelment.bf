Disemvowelment
Reads letters until a line break and outputs them without the vowels a e i o u
The letter y is kept
The letters arrive as 1 to 26 and the line break as 0 which is not output

Layout
 cell 0 is a keep flag
 cell 1 is the letter
 cell 2 is a flag for testing the letter against zero
 cell 3 stays zero
The letter is lowered step by step to 1 then 5 then 9 then 15 then 21 below its value
if it reaches zero at one of these points it is a vowel and the keep flag is dropped
afterwards the letter is raised by 21 to its old value

read the first letter into cell 1
>,
[
 keep flag starts set
 <+>
 test for a which is 1
 -
 >+<[>-]>[<<[-]>>->]<<
 test for e which is 5
 ----
 >+<[>-]>[<<[-]>>->]<<
 test for i which is 9
 ----
 >+<[>-]>[<<[-]>>->]<<
 test for o which is 15
 ------
 >+<[>-]>[<<[-]>>->]<<
 test for u which is 21
 ------
 >+<[>-]>[<<[-]>>->]<<
 give the letter back its 21
 +++++++++++++++++++++
 if the keep flag is set clear it and output the letter
 <[->.<]>
 clear the letter and read the next one
 [-]
 ,
]
