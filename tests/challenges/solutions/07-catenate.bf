Catenate
Read the first value then keep going while it is not zero
write it out and read the next one
The terminating zero ends the loop and is never written
,
[
  .,
]
