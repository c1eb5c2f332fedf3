'[path=\Framework\Utils]
'[group=Utils]
!INC Utils.BinaryFile
!INC Utils.DocGenHelpers
!INC Utils.ExcelFile
!INC Utils.FileSystem
!INC Utils.FileSystemFolder
!INC Utils.ModelInfo
!INC Utils.SQL
!INC Utils.TextFile
!INC Utils.XML
!INC Utils.Util
!INC Utils.EA Enums
!INC Utils.Translation

'Author: Geert Bellekens
'Date: 2015-12-07
'EA-Matic