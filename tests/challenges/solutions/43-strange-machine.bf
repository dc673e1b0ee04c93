Strange machine
A counter and a list  commands are read until a zero
 1 counter up  2 counter down  3 output the counter
 4 append the counter to the list  5 take the last list value back as the counter
 6 output the whole list

Layout of the tape
 cell 0 is a guard that holds zero
 the list values sit in pairs of cells  a marker that holds 1 and then the value
 the first pair is cells 2 and 3
 right after the list comes the home group of five cells that moves with the end of the list
  its marker cell holds zero
  then the counter  the command  the switch flag and a helper cell
 appending turns the home marker and the counter into a new pair and builds a new home group after it
 taking back turns the last pair into the home marker and the counter

read the first command
>>>>,[>+<-[-[-[-[-[-[[-]>-<]>[-
output the list  walk to the guard and then along the pairs
<<<<<[<<]>>[>.>]>>>]<]>[-
take back  clear the counter and the marker of the last pair
<<[-]<<<-
the home group now starts two cells further left
>>>]<]>[-
append  copy the counter two cells to the right and mark the new pair
<<[->>+>+<<<]>>>[-<<<+>>>]<<<<+
the home group now starts two cells further right
>>>>>]<]>[-<<.>>]<]>[-<<->>]<]>[-<<+>>]<
read the next command
,]
