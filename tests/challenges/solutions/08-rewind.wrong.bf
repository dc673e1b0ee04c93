WRONG on purpose one value short as it steps back one cell too far and never writes the last value read
Cell zero is a marker and values go into cell one and onwards
>,
[
  >,
]
Here it steps back twice instead of once and so skips the last value
<<
[
  .<
]
