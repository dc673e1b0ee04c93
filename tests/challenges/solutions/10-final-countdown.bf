The final countdown
Read n and while it is not zero write it and lower it by one
,
[
  .-
]
At the end the cell holds zero which is written last
.
