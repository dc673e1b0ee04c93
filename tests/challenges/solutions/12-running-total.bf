Running total
Cell zero keeps the total and cell one receives each value read
>,
While the value read is not zero move it onto the total and read the next
[
  [
    -<+>
  ]
  ,
]
The terminating zero ends the loop so go back to the total and write it
The empty list leaves the total at zero which is written as well
<.
