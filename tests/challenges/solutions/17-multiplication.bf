Multiplication
Read a into cell zero and b into cell one
,>,<
For every unit of a add b to the result in cell two
using cell three to put b back afterwards
[
  -
  >
  [
    ->+>+<<
  ]
  >>
  [
    -<<+>>
  ]
  <<<
]
Write the result
>>.
