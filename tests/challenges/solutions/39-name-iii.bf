What is in a name III
Output zindle in at most 65 commands
The letters are 26 9 14 4 12 5

Loop four times to build 24 and 8 and 4
++++[>++++++>++>+<<<-]

z from 24
>++.
i from 8
>+.
n from 9
+++++.
d is the 4 as it stands
>.
l from 14
<--.
e from 4
>+.

Count 44 commands
