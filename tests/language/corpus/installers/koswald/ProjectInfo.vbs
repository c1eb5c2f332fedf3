Class ProjectInfo
    Property Get MajorVersion : MajorVersion = 1 : End Property
    Property Get MinorVersion : MinorVersion = 4 : End Property
    Property Get MicroVersion : MicroVersion = 11 : End Property
    Property Get Namespace
        Namespace = "VBScripting"
    End Property
End Class
