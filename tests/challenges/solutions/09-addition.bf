Addition
Read a into cell zero and b into cell one
,>,
Move b onto a one unit at a time
[
  -<+>
]
Go back to the sum and write it
<.
