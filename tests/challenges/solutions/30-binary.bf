Binary
Reads eight bits with the most significant bit first and outputs their value

Cell zero counts the eight bits and cell one holds the value so far
Each round the value is doubled into cell two
the next bit is read into cell one and the doubled value is added to it
++++++++
[
  >[->++<]
  ,
  >[-<+>]
  <<-
]
>.
