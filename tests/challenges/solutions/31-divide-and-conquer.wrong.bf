Wrong on purpose the remainder comes out one too large whenever a is smaller than b
Divide and conquer
Same division as the right solution but the base 1 of the remainder cell
is only taken away when the quotient is not zero

,>,>+<<
[->-[>+>>]>[[-<+>]+>+>>]<<<<<]
output the quotient
>>>.
if the quotient is not zero take the base away from the remainder and clear the quotient
[<->[-]]
output the remainder
<.
