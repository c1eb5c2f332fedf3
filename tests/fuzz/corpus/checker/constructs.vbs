Option Explicit
Dim a, b(3), c()
Const k = 5, s = "x""y", d = #1/2/2000#, h = &HFF&, o = &O17
ReDim Preserve c(a + 1, 2)
Class Account
    Private mBalance
    Public a, b
    Public Default Property Get Balance(i) : Balance = mBalance : End Property
    Public Property Let Balance(i, v)
        mBalance = v
    End Property
    Private Sub Class_Initialize()
        Set Me.O = Nothing
    End Sub
End Class
Function Twice(ByVal x, ByRef y) ' Sub Hidden
    On Error Resume Next
    Twice = x * 2 ^ -y Mod 3 \ 2 & "a" : Exit Function
End Function
Sub Main
    Dim i, x
    For i = 1 To 10 Step 2
        If i > 5 Then Exit For Else x = Twice(i, 1) _
            + 1
    Next
    For Each x In Array(1, 2)
        Select Case x
            Case 1, 2 : WScript.Echo x
            Case Else
        End Select
    Next
    Do While x < 3 : x = x + 1 : Loop
    Do : Loop Until True
    While False : Wend
    With WScript
        If a <> Not b Then .Echo "x" Else .Quit
    End With
    a(0)(4) = 7
    MsgBox (a), b
    Call Main
End Sub
