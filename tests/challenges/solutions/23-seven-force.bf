Seven force
Read x and take seven off so the cell is zero exactly when x was seven
,-------
Set cell one to one and clear it if the cell is not zero
>+<
[
  >-<
  [
    -
  ]
]
>.
