Zero test II
Read x then output 1 if x is zero else 0 and then output x itself

Cells
  cell zero  x
  cell one   a flag set to one
  cell two   always zero
,>+<
If x is not zero this loop runs once
it clears the flag and writes it as the answer 0
then writes x and stops on the cleared flag
[>-.<.>]
Now a nonzero x leaves us on cell one and a zero x on cell zero
One step right lands on the empty cell two or on the flag
Only a zero x finds the flag still set
it writes the flag 1 and then x which is 0
and stops on cell zero which is empty
>[.<.]

18 commands
