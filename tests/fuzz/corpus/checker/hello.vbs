' Hello.vbs: greets the user and lists the files of the script's folder.
Option Explicit

Dim fso, shell, folder, file, report
Set fso = CreateObject("Scripting.FileSystemObject")
Set shell = WScript.CreateObject("WScript.Shell")

Set folder = fso.GetFolder(fso.GetParentFolderName(WScript.ScriptFullName))
report = "Hello, " & shell.ExpandEnvironmentStrings("%USERNAME%") & "!" & vbCrLf
report = report & "Files in " & folder.Path & ":" & vbCrLf

For Each file In folder.Files
    If LCase(fso.GetExtensionName(file.Name)) = "vbs" Then
        report = report & "  " & file.Name & " (" & file.Size & " bytes)" & vbCrLf
    End If
Next

MsgBox report, vbInformation, "Hello"
