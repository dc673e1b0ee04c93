Power
Layout is cell zero the exponent b and cell one the base a
and cell two the result r and cell three the new result and cell four scratch
Read a into cell one and b into cell zero and start the result at one
>,<,
>>+<<
For every unit of b multiply the result by a
[
  -
  >>
  For every unit of r add a to the new result keeping a with the scratch cell
  [
    -
    <
    [
      ->>+>+<<<
    ]
    >>>
    [
      -<<<+>>>
    ]
    <<
  ]
  Move the new result back into the result cell
  >
  [
    -<+>
  ]
  <<<
]
Write the result which stays one when b is zero
>>.
