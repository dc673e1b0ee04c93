Subtraction
Read a into cell zero and b into cell one
,>,
Take one from both until b is used up
[
  -<->
]
Go back to the difference and write it
<.
