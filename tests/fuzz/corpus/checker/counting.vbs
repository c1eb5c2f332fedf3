' Counts the words of a text file and writes a report.
option explicit
dim fso, inFile, outFile, line, words, total
dim counts(10), i
set fso = createobject("Scripting.FileSystemObject")
set inFile = fso.opentextfile("C:\\data\\in.txt", 1)
TOTAL=0
do while not infile.atendofstream
    line = trim(infile.readline)
    if len(line)>0 then
        words = split(line, " ")
        total = total + ubound(words) + 1 ' one more than the bound
    end if
loop
inFile.close
rem report the result
msgbox "Words: " & TOTAL, vbinformation, "Count = done"
if total >= 100 and total <= 1000 then wscript.echo "medium"
if total < = 10 then wscript.echo "it's small" ' tiny
remainder = total mod 10
x    =    y=1
s = "a=b=c" : t = "rem" : u=2

function Double(byval n)
    Double = n * 2
end function
