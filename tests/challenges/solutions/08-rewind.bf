Rewind
Cell zero stays empty as a left marker
Values are read into cell one and onwards one cell each
and the terminating zero lands just after the last value
>,
[
  >,
]
Step back onto the last value and write values while walking left
until the empty marker cell is reached
The values are never zero so the walk stops exactly at the marker
<
[
  .<
]
