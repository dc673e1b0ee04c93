Odd one out
Reads x and outputs 1 if x is odd and 0 if it is even

Layout
 cell 0 is x counted down to zero
 cell 1 is the parity which flips once per unit of x
 cell 2 is a helper used for the flip

read x
,
[
 take one from x and go to the parity
 ->
 move the parity to the helper
 [->+<]
 set the parity to 1 and take the helper away from it
 +>[-<->]<
 back to x
 <
]
output the parity
>.
