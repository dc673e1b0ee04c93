Numeric readout
The first cell is a loop counter set to ten
++++++++++
Each round the second cell goes up by one and is written out
so it shows one two three and so on up to ten
[
  >+.
  <-
]
