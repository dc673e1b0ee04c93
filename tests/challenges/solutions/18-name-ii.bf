What is in a name II
Output zindle in at most 75 commands
The letters are 26 9 14 4 12 5

A loop run four times builds 24 and 8 and 4 in three cells
++++[>++++++>++>+<<<-]

z is 24 plus two
>++.
i is 8 plus one
>+.
n is 9 plus five
+++++.
d is the 4 in the third cell
>.
l is 14 minus two back in the second cell
<--.
e is 4 plus one in the third cell
>+.

That is 44 commands
