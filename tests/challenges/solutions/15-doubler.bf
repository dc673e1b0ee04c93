The doubler
Read n and for every unit of it add two to cell one
,
[
  ->++<
]
Write the doubled value
>.
