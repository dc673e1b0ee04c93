Larger than life
Reads a then b and outputs 1 if a is larger than b and 0 otherwise

Layout
 cell 0 is the answer
 cell 1 is a
 cell 2 is b
 cell 3 is a flag for testing b against zero
 cell 4 stays zero
Both values are counted down together
if b runs out while a still has something left then a was larger

read a into cell 1 and b into cell 2 and stand on a
>,>,<
[
 take one from a and go to b with the flag set
 ->>+<
 if b is not zero take one from b and drop the flag
 [->-]
 if b was zero the answer becomes 1 and a is emptied to end the loop
 >[<<[-]<+>>>->]
 back to a
 <<<
]
output the answer
<.
