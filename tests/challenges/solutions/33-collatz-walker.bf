Collatz walker
Reads n and outputs n and then every next value where an even n is halved
and an odd n becomes 3 n plus 1 until the value 1 has been output

Layout
 cell 0 is a marker that always holds 1
 cell 1 stays zero
 cell 2 is n
 cell 3 stays zero
 cell 4 is the half of n
 cell 5 is a helper for the odd case

Halving takes two units from n per round and adds one to the half
If n is odd the last round finds only one unit and the loop ends one cell further left
so the place where the pointer stops tells whether n was odd
For an odd n equal to 2 h plus 1 the next value 3 n plus 1 equals 6 h plus 4
which is even and its half 3 h plus 2 follows straight after it
so both are made from h in one pass

set the marker and read n into cell 2
+>>,
output n and loop while n minus 1 is not zero
.-
[
 give back the 1 taken for the loop test
 +
 halve n
 this ends on cell 2 if n was even and on cell 1 if n was odd
 [-[->>+<]<]
 step left so an odd n stands on the marker and an even n on the empty cell 1
 <
 [
  odd case
  build 6 h in cell 5 and 3 h in cell 2 from the half in cell 4
  >>>>[->++++++<<<+++>>]
  add 4 to cell 5 and output it as the next value then clear it
  >++++.[-]
  add 2 to cell 2 which now holds the value after that
  <<<++
  step to cell 1 which is empty to leave this branch
  <
 ]
 both cases now stand on cell 1
 move the half into cell 2 which only matters in the even case
 >>>[-<<+>>]<<
 output the new n and take 1 away for the loop test
 .-
]
