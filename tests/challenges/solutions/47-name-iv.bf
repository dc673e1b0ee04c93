What is in a name IV
Output zindle in at most 55 commands
The letters are 26 9 14 4 12 5 and they cluster near 24 and 8 and 4

Loop four times adding six and two and one to three cells
++++[>++++++>++>+<<<-]

Cell one 24 gives z after two increments
>++.
Cell two 8 gives i after one increment
>+.
Five more increments give n
+++++.
Cell three 4 is d already
>.
Cell two down by two gives l
<--.
Cell three up by one gives e
>+.

Total 44 commands which is 11 under the limit
