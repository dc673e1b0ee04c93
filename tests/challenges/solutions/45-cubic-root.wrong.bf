Wrong on purpose it takes n plus one units so it answers one too high just below a perfect cube such as 0 or 7 or 26
Cubic root with the same cells as the right solution

,+[
  -
  >>+
  >>
  [>]<<
  [
    [->>+<<]
    <+
    [->+>>++++++<<<]
    >[-<+>]
    >
  ]
  >-
  <<<<
]
>.
