Binary
Reads eight bits with the most significant one first and outputs the number they make

Cell 0 is the number so far and cell 1 a helper
For each further bit the number is doubled into the helper
the bit is read into the now empty cell 0 and the doubled number is added back

read the first bit
,
seven more bits
[->++<],>[-<+>]<
[->++<],>[-<+>]<
[->++<],>[-<+>]<
[->++<],>[-<+>]<
[->++<],>[-<+>]<
[->++<],>[-<+>]<
[->++<],>[-<+>]<
output the number
.
