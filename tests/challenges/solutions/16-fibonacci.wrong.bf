WRONG on purpose one value extra as the count is raised by one so it writes one number too many
Layout is cell zero the count and cell one a and cell two b and cell three scratch
,+
>>+<<
[
  >.
  [
    ->>+<<
  ]
  >
  [
    -<+>>+<
  ]
  >
  [
    -<+>
  ]
  <<<-
]
