Wrong on purpose it outputs one square too many because it counts from n plus one
Squares with the same cells as the right solution

,+[
  -
  >+
  [>+>+<<-]
  >.
  >[<<+>>-]
  <<+<
]
