Electronic lock
Reads four values and outputs 1 if they are 4 then 8 then 15 then 16 and 0 otherwise
All four values are always read

Cell 0 is the answer which starts at 1
Cell 1 takes each value in turn
the code number is taken away from the value and if anything is left the answer becomes 0
and the rest is cleared so the cell is empty for the next value

answer starts at 1
+
first value must be 4
>,----
[[-]<[-]>]
second value must be 8
,--------
[[-]<[-]>]
third value must be 15
,---------------
[[-]<[-]>]
fourth value must be 16
,----------------
[[-]<[-]>]
output the answer
<.
