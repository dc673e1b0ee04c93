WRONG on purpose one value extra as after the sum it also writes the emptied second cell
Read a into cell zero and b into cell one
,>,
Move b onto a
[
  -<+>
]
Write the sum and then wrongly the empty cell after it
<.
>.
