Wrong on purpose it also treats y as a vowel and drops it
Disemvowelment
Same as the right solution with one more test for the letter y which is 25

>,
[
 <+>
 -
 >+<[>-]>[<<[-]>>->]<<
 ----
 >+<[>-]>[<<[-]>>->]<<
 ----
 >+<[>-]>[<<[-]>>->]<<
 ------
 >+<[>-]>[<<[-]>>->]<<
 ------
 >+<[>-]>[<<[-]>>->]<<
 the extra test for y
 ----
 >+<[>-]>[<<[-]>>->]<<
 give the letter back its 25
 +++++++++++++++++++++++++
 <[->.<]>
 [-]
 ,
]
