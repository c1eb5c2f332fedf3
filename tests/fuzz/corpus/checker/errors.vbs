If x Then
  y = 1
End Sub
x = 1 @ 2
Dim [my name
For i = 1 10
x = "abc
strcomp("x", "y")
Class C End Class
