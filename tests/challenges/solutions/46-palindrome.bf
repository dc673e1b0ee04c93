To brain air bot
Reads a word and outputs y if it reads the same backwards and n otherwise

Layout of the tape  two lanes
 letter number i sits in cell 2 times i plus 1
 cell 2 times i is its marker  it holds 1 for every letter of the word
 and 2 once that letter was found different from its partner
 cells 0 and 1 are home  cell 1 is the left end of the letter lane

How it works
 the leftmost letter still in the word is taken out by a switch on its value
 with its marker as the switch flag
 each branch of the switch knows the letter and walks to the rightmost letter
 and takes it out too  if that letter is different its marker goes up to 2
 a single letter left in the middle is simply taken out
 at the end all mismatch marks are gathered at home

read the word into the letter lane and set the markers
>>>,[<+>>>,]
walk back to the first letter
<<[<<]>>
main loop over the letters from the left
[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[-[[-]<->]<[-
letter 26  find the rightmost letter and compare
>>>[>>]<<[--------------------------[++++++++++++++++++++++++++[-]<+>]<<[<<]]
<]>]<[-
letter 25  find the rightmost letter and compare
>>>[>>]<<[-------------------------[+++++++++++++++++++++++++[-]<+>]<<[<<]]
<]>]<[-
letter 24  find the rightmost letter and compare
>>>[>>]<<[------------------------[++++++++++++++++++++++++[-]<+>]<<[<<]]
<]>]<[-
letter 23  find the rightmost letter and compare
>>>[>>]<<[-----------------------[+++++++++++++++++++++++[-]<+>]<<[<<]]
<]>]<[-
letter 22  find the rightmost letter and compare
>>>[>>]<<[----------------------[++++++++++++++++++++++[-]<+>]<<[<<]]<]
>]<[-
letter 21  find the rightmost letter and compare
>>>[>>]<<[---------------------[+++++++++++++++++++++[-]<+>]<<[<<]]<]>]
<[-
letter 20  find the rightmost letter and compare
>>>[>>]<<[--------------------[++++++++++++++++++++[-]<+>]<<[<<]]<]>]<[
-
letter 19  find the rightmost letter and compare
>>>[>>]<<[-------------------[+++++++++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 18  find the rightmost letter and compare
>>>[>>]<<[------------------[++++++++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 17  find the rightmost letter and compare
>>>[>>]<<[-----------------[+++++++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 16  find the rightmost letter and compare
>>>[>>]<<[----------------[++++++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 15  find the rightmost letter and compare
>>>[>>]<<[---------------[+++++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 14  find the rightmost letter and compare
>>>[>>]<<[--------------[++++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 13  find the rightmost letter and compare
>>>[>>]<<[-------------[+++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 12  find the rightmost letter and compare
>>>[>>]<<[------------[++++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 11  find the rightmost letter and compare
>>>[>>]<<[-----------[+++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 10  find the rightmost letter and compare
>>>[>>]<<[----------[++++++++++[-]<+>]<<[<<]]<]>]<[-
letter 9  find the rightmost letter and compare
>>>[>>]<<[---------[+++++++++[-]<+>]<<[<<]]<]>]<[-
letter 8  find the rightmost letter and compare
>>>[>>]<<[--------[++++++++[-]<+>]<<[<<]]<]>]<[-
letter 7  find the rightmost letter and compare
>>>[>>]<<[-------[+++++++[-]<+>]<<[<<]]<]>]<[-
letter 6  find the rightmost letter and compare
>>>[>>]<<[------[++++++[-]<+>]<<[<<]]<]>]<[-
letter 5  find the rightmost letter and compare
>>>[>>]<<[-----[+++++[-]<+>]<<[<<]]<]>]<[-
letter 4  find the rightmost letter and compare
>>>[>>]<<[----[++++[-]<+>]<<[<<]]<]>]<[-
letter 3  find the rightmost letter and compare
>>>[>>]<<[---[+++[-]<+>]<<[<<]]<]>]<[-
letter 2  find the rightmost letter and compare
>>>[>>]<<[--[++[-]<+>]<<[<<]]<]>]<[-
letter 1  find the rightmost letter and compare
>>>[>>]<<[-[+[-]<+>]<<[<<]]<]>
the marker of the letter taken out is set again
<+
on to the next letter from the left
>>>]
go to the marker lane and walk to the end of the word
<[>>]<<
walk back home and gather the mismatch marks into cell 1
[-[[-]>+<]>[[-]<<+>>]<<<]
cell 0 gets y and turns into n if a mismatch was found
+++++++++++++++++++++++++>[[-]<----------->]<.
