What is in a name
Output the word zindle as letter values 26 9 14 4 12 5

Build 25 and 10 and 5 with one loop run five times
+++++[>+++++>++>+<<<-]

First cell holds 25 so one more gives z
>+.
Second cell holds 10 so one less gives i
>-.
Five more gives n
+++++.
Third cell holds 5 so one less gives d
>-.
Back to the second cell and two less gives l
<--.
Third cell again and one more gives e
>+.
