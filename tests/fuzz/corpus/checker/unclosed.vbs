x = 1
Do
  If a Then
    While b
      Select Case c
        Case 1
          With d
