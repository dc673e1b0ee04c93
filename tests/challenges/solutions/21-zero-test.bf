Zero test
Read x into cell zero and set cell one to one
,>+<
If x is not zero clear cell one and empty x so the loop ends
[
  >-<
  [
    -
  ]
]
Cell one is one exactly when x was zero
>.
