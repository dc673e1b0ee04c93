Equality
Read a into cell zero and b into cell one and take b away from a
,>,
[
  -<->
]
Cell zero is now zero exactly when a equals b
Set cell one to one and clear it if cell zero is not zero
+<
[
  >-<
  [
    -
  ]
]
>.
