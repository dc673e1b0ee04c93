Wrong on purpose it answers 1 when both values are equal so it tests a at least b instead of a larger than b
Larger than life
It reads a and b in swapped places so it works out whether b is larger than a
and then outputs the opposite of that

Layout
 cell 0 is whether b is larger than a
 cell 1 is b
 cell 2 is a
 cell 3 is a flag for testing a against zero
 cell 4 stays zero

read a into cell 2 and b into cell 1 and stand on b
>>,<,
[
 ->>+<
 [->-]
 >[<<[-]<+>>>->]
 <<<
]
cell 1 is now zero so make it 1 and take away the answer of cell 0
+<[->-<]
>.
